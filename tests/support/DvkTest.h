#pragma once

// What every test file uses, included first: QtTest, the registry that runs the file's test
// classes, the one-line data-table helpers and the fixture paths, and the names tests write
// without qualification.
#include "DataTable.h"
#include "TestData.h"
#include "TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace dvk;
using dvk::test::addColumns;
using dvk::test::fetch;
