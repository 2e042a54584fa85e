#include <benchmark/benchmark.h>

#include "editor/CoreServices.h"

int main(int argc, char** argv) {
    CoreServices::Install();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
