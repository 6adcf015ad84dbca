// Times the truth-table window's show step (engine, grid, layout, list).
//   QT_QPA_PLATFORM=offscreen ./veritabula_showstep_benchmark

#include "expressionwindow.h"
#include "program.h"
#include "truthtablewindow.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// Each showing follows one of another expression, as after "Назад", so the
// grid really changes size every time.
void showStep(benchmark::State& state, const char* expression)
{
    const QString shown = QString::fromUtf8(expression);
    const QString before =
        shown == QLatin1String("A") ? QStringLiteral("A*B") : QStringLiteral("A");
    for (auto _ : state) {
        state.PauseTiming();
        veritabula::frmTable->EditIN->setText(before);
        veritabula::frmTableCr->FormShow();
        veritabula::frmTable->EditIN->setText(shown);
        state.ResumeTiming();
        veritabula::frmTableCr->FormShow();
        benchmark::DoNotOptimize(veritabula::AnswerRowCount);
    }
    state.counters["rows"] = veritabula::AnswerRowCount;
    state.counters["columns"] = veritabula::AnswerColCount - 1;
}

// Ten variables, twenty operations: 1025 grid rows.
const char* const TenVariables = "(A*B+C*D)*(E+F*G)+(H<>I)*(J=>A)+¬(B*C+D*E)+(F<->G)*(H+I*J)+¬A*J";

} // namespace

BENCHMARK_CAPTURE(showStep, ten_variables, TenVariables)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(showStep, four_variables, "A*B+C*D")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    veritabula::createWindows();
    veritabula::frmTableCr->show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    veritabula::destroyWindows();
    return 0;
}
