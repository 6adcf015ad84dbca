#include "engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Ten variables, forty-odd operations: about as much as a pupil will ever key.
const std::string TenVariables =
    "(A*\xAC"
    "B+C<>D)=>(E<->F*\xAC(G+H))+\xAC(I*J=>A)<>(B*C+D*E)<->(F=>G)*(H<>I+J)"
    "+\xAC"
    "A*\xAC"
    "B*\xAC"
    "C+(D<->E=>F)*(G+\xAC"
    "H*I)<>J=>(A+B)*(C+D)";

void runEngine(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        const std::string canonical = veritabula::NormalizeExpression(text);
        if (veritabula::CheckExpression(canonical)) {
            state.SkipWithError("the expression is refused");
            break;
        }
        veritabula::strarray captions;
        veritabula::strarray2d operations;
        veritabula::ParseExpression(canonical, captions, operations);
        veritabula::RemoveDuplicateOperations(captions, operations);
        veritabula::strarray columns;
        veritabula::table truthTable;
        veritabula::BuildTruthTable(canonical, captions, operations, columns, truthTable);
        benchmark::DoNotOptimize(truthTable.data());
        state.counters["columns"] = double(columns.size() - 1);
        state.counters["rows"] = double(truthTable.back().size() - 1);
    }
}

void BM_TenVariables(benchmark::State& state)
{
    runEngine(state, TenVariables);
}

void BM_FourVariables(benchmark::State& state)
{
    runEngine(state, "A*B+C*D");
}

} // namespace

BENCHMARK(BM_TenVariables)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourVariables)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
