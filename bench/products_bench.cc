// Reading, refreshing and writing product tables of 10,000, 100,000 and
// 1,000,000 rows: PriceList.txt read into the table, an imported table
// loaded (PriceList.txt refreshed from its external file), PriceList.txt
// written, and a read plus a write. "peak_MB" is the process's peak resident
// memory after the run; run one size alone (--benchmark_filter=/100000) to
// see the peak of that size.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "products/extra_fields.h"
#include "products/product_column.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

// A benchmark whose file work failed would print figures of nothing.
void check(bool done, const char* what) {
  if (done) return;
  std::fprintf(stderr, "products_bench: %s failed\n", what);
  std::exit(1);
}

// A home folder for the company "Bench", removed at exit.
class BenchHome {
 public:
  BenchHome()
      : path_(fs::temp_directory_path() / ("quorvex-products-bench-" + std::to_string(::getpid()))),
        env_(path_, prompter_) {
    fs::create_directories(path_ / "Bench");
  }
  ~BenchHome() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

  const Env& env() const { return env_; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
  ScriptedPrompter prompter_;
  Env env_;
};

BenchHome& home() {
  static BenchHome home;
  return home;
}

// The external export of `count` products, as a stock program writes it:
// part number, description, price, weight, category, sales text, picture.
fs::path writeExport(int64_t count) {
  fs::path file = home().path() / ("export-" + std::to_string(count) + ".csv");
  if (fs::exists(file)) return file;
  std::ofstream out(file, std::ios::binary);
  out << "SKU,Title,Price,Weight,Group,Blurb,Image\r\n";
  for (int64_t i = 0; i < count; ++i) {
    out << "\"PN-" << i << "\",\"Stainless steel part " << i << ", boxed\",\"" << (i % 997) + 0.99
        << "\"," << (i % 13) << ",Group " << (i % 50) << ",\"Fits \"\"standard\"\" mounts, "
        << "ships in two days\",part" << i << ".jpg\r\n";
  }
  return file;
}

// An imported table of `count` rows whose PriceList.txt is written.
CExtraFields importedTable(int64_t count) {
  CExtraFields table;
  table.companyName = "Bench";
  table.inProgram = 0;
  table.sourcePath = writeExport(count).string();
  table.headerLines = 2;
  table.columnIndex = CExtraFields::unusedColumns();
  for (int32_t column = 0; column <= kPictureColumn; ++column) table.columnIndex[column] = column;
  for (int i = 0; i < 50; ++i) {
    table.categoryNames.push_back("Group " + std::to_string(i));
    table.categoryDescriptions.push_back("Group " + std::to_string(i));
  }
  check(table.readRows(home().env(), false).ok(), "reading the product rows");
  check(table.writeRows(home().env()), "writing PriceList.txt");
  table.clearRows();
  return table;
}

void reportPeak(benchmark::State& state) {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadPriceList(benchmark::State& state) {
  CExtraFields table = importedTable(state.range(0));
  for (auto _ : state) {
    table.clearRows();
    check(table.readRows(home().env(), true).ok(), "reading the product rows");
    benchmark::DoNotOptimize(table.rows.data());
  }
  reportPeak(state);
}

void BM_LoadAndRefresh(benchmark::State& state) {
  CExtraFields table = importedTable(state.range(0));
  for (auto _ : state) {
    table.clearRows();
    check(table.loadRows(home().env()).ok(), "loading the product rows");
    benchmark::DoNotOptimize(table.rows.data());
  }
  reportPeak(state);
}

void BM_WritePriceList(benchmark::State& state) {
  CExtraFields table = importedTable(state.range(0));
  check(table.readRows(home().env(), true).ok(), "reading the product rows");
  for (auto _ : state) check(table.writeRows(home().env()), "writing PriceList.txt");
  reportPeak(state);
}

void BM_ReadPlusWrite(benchmark::State& state) {
  CExtraFields table = importedTable(state.range(0));
  for (auto _ : state) {
    table.clearRows();
    check(table.readRows(home().env(), true).ok(), "reading the product rows");
    check(table.writeRows(home().env()), "writing PriceList.txt");
  }
  reportPeak(state);
}

void BM_SortByPriceThenDescription(benchmark::State& state) {
  CExtraFields table = importedTable(state.range(0));
  table.sortEnabled = 1;
  table.sortThenEnabled = 1;
  for (auto _ : state) {
    state.PauseTiming();
    table.clearRows();
    check(table.readRows(home().env(), true).ok(), "reading the product rows");
    state.ResumeTiming();
    table.sortRows();
  }
  reportPeak(state);
}

#define PRODUCT_SIZES ->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ReadPriceList) PRODUCT_SIZES;
BENCHMARK(BM_LoadAndRefresh) PRODUCT_SIZES;
BENCHMARK(BM_WritePriceList) PRODUCT_SIZES;
BENCHMARK(BM_ReadPlusWrite) PRODUCT_SIZES;
BENCHMARK(BM_SortByPriceThenDescription) PRODUCT_SIZES;

}  // namespace
}  // namespace quorvex

BENCHMARK_MAIN();
