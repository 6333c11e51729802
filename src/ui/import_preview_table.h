#ifndef QUORVEX_UI_IMPORT_PREVIEW_TABLE_H_
#define QUORVEX_UI_IMPORT_PREVIEW_TABLE_H_

#include "products/import_wizard.h"

class QTableWidget;

namespace quorvex::ui {

// Returns an empty, read-only grid for the import wizard's preview.
QTableWidget* importPreviewTable();

// Shows `preview` in `table`: one column per field of its first line and one
// line per preview line; an empty preview leaves the grid empty.
void showImportPreview(QTableWidget& table, const ImportWizard::Preview& preview);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_IMPORT_PREVIEW_TABLE_H_
