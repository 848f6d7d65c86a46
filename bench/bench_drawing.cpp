// One frame of table drawing on the off-screen pictures: the table copy, ten shadows and
// ten balls with masked draws, and the copy to the visible table.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/rack.h"
#include "screen/qt/table_renderer.h"

namespace {

QGuiApplication& app() {
  static int argc = 1;
  static char name[] = "velkor-bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication a(argc, argv);
  return a;
}

void BM_DrawTableFrame(benchmark::State& state) {
  app();
  velkor::GameState g;
  velkor::setUpRack(g);
  g.gameMode = velkor::modeSolo;
  g.balls[0].speed = 3000;  // one moving sprite in the frame
  velkor::TableRenderer r(g);
  r.loadBallSprites();
  for (auto _ : state) {
    r.drawTable();
    benchmark::DoNotOptimize(r.pool().constBits());
  }
}
BENCHMARK(BM_DrawTableFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
