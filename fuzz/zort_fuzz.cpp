// libFuzzer entry: the fuzzer's bytes choose the content and every learner action of one session;
// a broken rule aborts with what was wrong and the actions that led there.
#include "session_driver.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reliability::ByteChooser chooser(data, size);
    Reliability::Figures figures;
    const QString problem = Reliability::playSession(chooser, 500, figures);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "invariant violated: %s\n", problem.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
