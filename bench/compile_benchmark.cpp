// Compiling the largest valid input set in-process: seven 256 x 256 bitmaps and full
// metrics files, checks and writing included.
#include <benchmark/benchmark.h>

#include "fixtures.h"

namespace lumpforge::testing {
namespace {

void CompileLargestSet(benchmark::State& state) {
  TempFolder folder;
  WriteInputSet(folder.path(), 256, 256);
  RecordingCompiler compiler(folder.str());
  for (auto _ : state) {
    if (compiler.CompileWad() != CompileOutcome::Written) state.SkipWithError("compile failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(ReadFile(folder / "gfx.wad").size()));
}
BENCHMARK(CompileLargestSet)->Unit(benchmark::kMillisecond);

void CheckLargestSet(benchmark::State& state) {
  TempFolder folder;
  WriteInputSet(folder.path(), 256, 256);
  RecordingCompiler compiler(folder.str());
  compiler.Folder = folder.str();
  for (auto _ : state) benchmark::DoNotOptimize(compiler.CheckInputFiles());
}
BENCHMARK(CheckLargestSet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumpforge::testing

BENCHMARK_MAIN();
