#include "app/product_table_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/individual_pages.h"
#include "company/brenquil_doc.h"

namespace quorvex {

ProductTableStep::ProductTableStep(AppServices& app, int command) : StepModel(command), app_(app) {}

void ProductTableStep::prepare() {
  CExtraFields& documentTable = *app_.doc.m_pExtraFields;
  documentTable.clearRows();
  documentTable.loadRows(app_.env);
  table.copyFrom(documentTable);
}

void ProductTableStep::apply() {
  CBrenquilDoc& doc = app_.doc;
  doc.m_pExtraFields->copyFrom(table);
  doc.m_pExtraFields->writeRows(app_.env);
  if (command() == kCmdEnhanceProducts) {
    syncWithProducts(*doc.m_pIndProdData, markedProducts(*doc.m_pExtraFields), *doc.m_pTemplate);
  }
}

void ProductTableStep::release() { app_.doc.m_pExtraFields->clearRows(); }

}  // namespace quorvex
