#pragma once

class QWidget;

namespace dvk {

class DataStore;

// The Tools menu's "Export..." and "Import...": a file dialog whose filters name the formats,
// the format taken from the chosen file's suffix, and every outcome told through Prompts.
namespace ExchangeActions {

void exportData(QWidget* parent, const DataStore& store);
// True when records were added to the store, so that the panels must show them.
bool importData(QWidget* parent, DataStore& store);

} // namespace ExchangeActions
} // namespace dvk
