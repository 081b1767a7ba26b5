// What the benchmark programs that draw do first: an off-screen application on
// the program's directory beside the build, messages to stderr instead of a
// box, and, where the views read them, the saved settings.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/conffile.h"
#include "platform/files.h"
#include "platform/system.h"

namespace kl::bench {

enum class Settings { Defaults, Saved };

inline int runDrawingBenchmarks(int argc, char** argv, Settings settings) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    platform::setProgramDirectory(KL_RUN_DIR);
    platform::setMessageHandler([](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
    if (settings == Settings::Saved) loadConfWithoutDialog();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kl::bench
