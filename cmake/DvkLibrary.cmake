# Ninja's moc step keeps a list of the files it scanned and misses a file added to the folder
# later; when a target's file list changes, its moc stamp is removed so that moc runs again.
function(dvk_refresh_moc target sources)
    string(SHA1 hash "${sources}")
    if(NOT "${hash}" STREQUAL "${DVK_SOURCES_${target}}")
        file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
        set(DVK_SOURCES_${target} ${hash} CACHE INTERNAL "")
    endif()
endfunction()

# dvk_add_library(<name> <Qt and dvk libraries it uses...>)
# Builds the static library of the calling source folder from every .cpp, .h and .qrc in it.
function(dvk_add_library name)
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${sources})
    dvk_refresh_moc(${name} "${sources}")
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE dvk_options)
endfunction()

# dvk_add_test(<folder> <libraries...>)
# One test executable per source folder: every tst_*.cpp of tests/<folder> registers its test
# classes with DVK_TEST, and the support library's main runs them all. Run one class with
# `tst_<folder> <ClassName> [test functions...]`.
function(dvk_add_test folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT sources)
        return()
    endif()
    set(target tst_${folder})
    add_executable(${target} ${sources})
    dvk_refresh_moc(${target} "${sources}")
    target_link_libraries(${target} PRIVATE ${ARGN} dvk_test_support dvk_options)
    add_test(NAME ${folder} COMMAND ${target})
    set_tests_properties(${folder} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DVK_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        TIMEOUT 300)
endfunction()
