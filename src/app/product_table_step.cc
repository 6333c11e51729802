#include "app/product_table_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/individual_pages.h"
#include "company/brenquil_doc.h"

namespace quorvex {

ProductTableStep::ProductTableStep(AppServices& app, int command) : StepModel(command), app_(app) {}

bool ProductTableStep::prepare() {
  CExtraFields& documentTable = *app_.doc.m_pExtraFields;
  documentTable.clearRows();
  // A product file that exists but cannot be read (its error shown) keeps
  // the dialog closed: its empty table would be written over the products.
  Status loaded = documentTable.loadRows(app_.env);
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return false;
  table.copyFrom(documentTable);
  return true;
}

void ProductTableStep::apply() {
  CBrenquilDoc& doc = app_.doc;
  doc.m_pExtraFields->copyFrom(table);
  // A failed write has shown its file error; the file keeps the old rows.
  (void)doc.m_pExtraFields->writeRows(app_.env);
  if (command() == kCmdEnhanceProducts) {
    syncWithProducts(*doc.m_pIndProdData, markedProducts(*doc.m_pExtraFields), *doc.m_pTemplate);
  }
}

void ProductTableStep::release() { app_.doc.m_pExtraFields->clearRows(); }

}  // namespace quorvex
