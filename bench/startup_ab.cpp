// Start-up A/B: runs the quiz's start-up and the bare window in turn (A B A B ...), each as a fresh
// process, and compares first frame and peak memory in the same run. Time from exec is taken here,
// just before the process is spawned, on the same monotonic clock the probe reads.
//
//   zort_startup_ab [--pairs N] [--platform offscreen|xcb]... [--file QUIZ]...
// Without --platform: offscreen, and xcb as well when DISPLAY is set. Each --file adds the program
// started on that quiz file or bundle to the rounds, compared with the program on the built-in quiz.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double execToFrameMs = 0;
    double mainToFrameMs = 0;
    double execToMainMs = 0;
    double hwmMiB = 0;
    long paints = 0;
    int lazy = 0;
    int styleSheets = 0;
};

struct Stats {
    double median = 0, min = 0, max = 0;
};

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

std::string selfDir()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

// One start of program `path` on `platform`; false when it did not report a frame.
bool runOnce(const std::string &path, const std::string &platform, Sample &out, const std::string &file = {})
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    std::vector<char *> envp;
    for (std::string &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    // Qt's start-up warnings (no runtime directory and the like) would drown the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);

    std::string arg0 = path, arg1 = file;
    char *argv[] = {arg0.data(), file.empty() ? nullptr : arg1.data(), nullptr};
    pid_t pid = 0;
    const long long execNs = monotonicNs();
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (rc != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(rc));
        return false;
    }
    std::string text;
    char buf[512];
    ssize_t n;
    while ((n = read(pipeFds[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long mainNs = 0, frameNs = 0, hwm = 0;
    long paints = 0;
    int lazy = 0, sheets = 0;
    if (std::sscanf(text.c_str(), "main_ns=%lld frame_ns=%lld hwm_kib=%lld paints=%ld lazy=%d style_sheets=%d",
                    &mainNs, &frameNs, &hwm, &paints, &lazy, &sheets) != 6) {
        std::fprintf(stderr, "%s on %s reported no frame\n", path.c_str(), platform.c_str());
        return false;
    }
    out.execToFrameMs = (frameNs - execNs) / 1e6;
    out.mainToFrameMs = (frameNs - mainNs) / 1e6;
    out.execToMainMs = (mainNs - execNs) / 1e6;
    out.hwmMiB = hwm / 1024.0;
    out.paints = paints;
    out.lazy = lazy;
    out.styleSheets = sheets;
    return true;
}

Stats stats(std::vector<double> v)
{
    Stats s;
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.min = v.front();
    s.max = v.back();
    return s;
}

const char *verdict(bool held)
{
    return held ? "held" : "MISSED";
}

// Returns the number of missed targets.
int runPlatform(const std::string &dir, const std::string &platform, int pairs)
{
    const std::string product = dir + "/zort_startup_product";
    const std::string bare = dir + "/zort_startup_bare";
    std::vector<Sample> a, b;
    Sample s;
    // One untimed start of each, so both find the libraries and fonts in the page cache.
    if (!runOnce(product, platform, s) || !runOnce(bare, platform, s))
        return 1;
    for (int i = 0; i < pairs; ++i) {
        if (runOnce(product, platform, s))
            a.push_back(s);
        if (runOnce(bare, platform, s))
            b.push_back(s);
    }
    if (a.empty() || b.empty())
        return 1;

    auto column = [](const std::vector<Sample> &v, double Sample::*field) {
        std::vector<double> out;
        for (const Sample &x : v)
            out.push_back(x.*field);
        return stats(out);
    };
    std::printf("\n== Start-up on %s: %zu product / %zu bare runs, interleaved A B A B ==\n", platform.c_str(),
                a.size(), b.size());
    std::printf("%-22s %24s %24s %8s\n", "figure", "product median (min-max)", "bare median (min-max)",
                "ratio");
    struct Row { const char *name; double Sample::*field; const char *unit; };
    const Row rows[] = {{"exec -> first frame", &Sample::execToFrameMs, "ms"},
                        {"main() -> first frame", &Sample::mainToFrameMs, "ms"},
                        {"exec -> main()", &Sample::execToMainMs, "ms"},
                        {"peak RSS", &Sample::hwmMiB, "MiB"}};
    std::map<std::string, double> ratios;
    for (const Row &r : rows) {
        const Stats p = column(a, r.field);
        const Stats q = column(b, r.field);
        const double ratio = q.median > 0 ? p.median / q.median : 0;
        ratios[r.name] = ratio;
        char left[64], right[64];
        std::snprintf(left, sizeof left, "%.1f (%.1f-%.1f) %s", p.median, p.min, p.max, r.unit);
        std::snprintf(right, sizeof right, "%.1f (%.1f-%.1f) %s", q.median, q.min, q.max, r.unit);
        std::printf("%-22s %24s %24s %7.2fx\n", r.name, left, right, ratio);
    }
    auto paints = [](const std::vector<Sample> &v) {
        std::vector<double> out;
        for (const Sample &x : v)
            out.push_back(double(x.paints));
        return stats(out).median;
    };
    std::printf("paint events up to the first frame: product %.0f, bare %.0f\n", paints(a), paints(b));

    const double frameLimit = platform == "offscreen" ? 2.9 : 2.0;
    const bool lazy = std::all_of(a.begin(), a.end(), [](const Sample &x) { return x.lazy == 1; });
    const bool noSheets = std::all_of(a.begin(), a.end(), [](const Sample &x) { return x.styleSheets == 0; });
    const bool frameHeld = ratios["exec -> first frame"] <= frameLimit;
    const bool rssHeld = ratios["peak RSS"] <= 1.3;
    std::printf("target: first frame <= %.1fx bare ................ %.2fx  %s\n", frameLimit,
                ratios["exec -> first frame"], verdict(frameHeld));
    std::printf("target: peak RSS <= 1.3x bare ..................... %.2fx  %s\n", ratios["peak RSS"],
                verdict(rssHeld));
    std::printf("target: settings and picture windows not built at the first frame ... %s\n", verdict(lazy));
    std::printf("target: no style sheets (palettes only) ......................... %s\n", verdict(noSheets));
    return !frameHeld + !rssHeld + !lazy + !noSheets;
}

// The program on each quiz file beside the program on the built-in quiz, in rounds (built-in, file 1,
// file 2, ...); returns the number of files that did not start.
int runFiles(const std::string &dir, const std::string &platform, int pairs, const std::vector<std::string> &files)
{
    const std::string product = dir + "/zort_startup_product";
    std::vector<std::string> variants{std::string()};
    variants.insert(variants.end(), files.begin(), files.end());
    std::vector<std::vector<double>> frames(variants.size()), hwm(variants.size());
    Sample s;
    for (int i = -1; i < pairs; ++i) { // round -1 warms the page cache
        for (size_t v = 0; v < variants.size(); ++v) {
            if (runOnce(product, platform, s, variants[v]) && i >= 0) {
                frames[v].push_back(s.execToFrameMs);
                hwm[v].push_back(s.hwmMiB);
            }
        }
    }
    std::printf("\n== Start-up on %s with a quiz file, in rounds of %zu ==\n", platform.c_str(), variants.size());
    int failed = 0;
    const double builtIn = stats(frames[0]).median;
    for (size_t v = 0; v < variants.size(); ++v) {
        if (frames[v].empty()) {
            std::printf("%s: no frame\n", variants[v].c_str());
            ++failed;
            continue;
        }
        const Stats f = stats(frames[v]);
        std::printf("%-40s exec -> first frame %.1f (%.1f-%.1f) ms, %.2fx built-in; peak RSS %.1f MiB\n",
                    v ? variants[v].c_str() : "(built-in quiz)", f.median, f.min, f.max,
                    builtIn > 0 ? f.median / builtIn : 0, stats(hwm[v]).median);
    }
    return failed;
}

} // namespace

int main(int argc, char **argv)
{
    int pairs = 25;
    std::vector<std::string> platforms, files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pairs" && i + 1 < argc) {
            pairs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--platform" && i + 1 < argc) {
            platforms.emplace_back(argv[++i]);
        } else if (arg == "--file" && i + 1 < argc) {
            files.emplace_back(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--pairs N] [--platform offscreen|xcb]... [--file QUIZ]...\n", argv[0]);
            return 2;
        }
    }
    if (platforms.empty()) {
        if (std::getenv("DISPLAY"))
            platforms.emplace_back("xcb");
        platforms.emplace_back("offscreen");
    }
    const std::string dir = selfDir();
    int missed = 0;
    for (const std::string &platform : platforms) {
        if (files.empty())
            missed += runPlatform(dir, platform, pairs);
        else
            missed += runFiles(dir, platform, pairs, files);
    }
    std::printf("\nstart-up targets missed: %d\n", missed);
    return 0;
}
