#include "app/product_sorting_model.h"

#include <algorithm>

namespace quorvex {

ProductSortingModel::ProductSortingModel(const CExtraFields& table)
    : DialogModel("Product Sorting"), choices_(table.sortKeyChoices()) {
  const struct {
    int32_t enabled, column, descending;
  } stored[] = {{table.sortEnabled, table.sortKey1, table.sortDescending1},
                {table.sortThenEnabled, table.sortKey2, table.sortDescending2},
                {table.sortThen2Enabled, table.sortKey3, table.sortDescending3}};
  for (size_t i = 0; i < keys.size(); ++i) {
    const bool offered =
        std::find(choices_.begin(), choices_.end(), stored[i].column) != choices_.end();
    keys[i] = Key{stored[i].enabled == 1, offered ? stored[i].column : choices_.front(),
                  stored[i].descending == 1};
  }
}

void ProductSortingModel::apply(CExtraFields& table) const {
  table.sortEnabled = keys[0].enabled ? 1 : 0;
  table.sortThenEnabled = keys[1].enabled ? 1 : 0;
  table.sortThen2Enabled = keys[2].enabled ? 1 : 0;
  table.sortKey1 = keys[0].column;
  table.sortKey2 = keys[1].column;
  table.sortKey3 = keys[2].column;
  table.sortDescending1 = keys[0].descending ? 1 : 0;
  table.sortDescending2 = keys[1].descending ? 1 : 0;
  table.sortDescending3 = keys[2].descending ? 1 : 0;
}

}  // namespace quorvex
