# dvk_add_library(<name> <Qt and dvk libraries it uses...>)
# Builds the static library of the calling source folder from every .cpp, .h and .qrc in it.
function(dvk_add_library name)
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${sources})
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
    target_link_libraries(${target} PRIVATE ${ARGN} dvk_test_support dvk_options)
    add_test(NAME ${folder} COMMAND ${target})
    set_tests_properties(${folder} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DVK_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        TIMEOUT 300)
endfunction()
