// Measures the program against the system-call floor (the reference
// program) on a generated workload, and its peak memory at two sizes.
//
//   benchmark PROGRAM REFERENCE [--runs N]
//
// Two workloads, a common table and a large one.  The program and the
// reference run alternately in scratch directories holding the same inputs,
// with standard output to /dev/null; their listings must be equal.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Measure {
  double seconds;
  long peakKiB;
};

// Lists of |sites| x |sections| x |sizes| units and a table of |entries|
// entries, each padded to about |lineBytes| bytes.  The sizes are spread
// through the table, early, in the middle and late, but for one that it
// lacks.
struct Workload {
  const char* name;
  int sites, sections, sizes, entries, lineBytes;
};

std::string Size(const Workload& w, int entry) {
  if (w.entries <= 100)
    return std::to_string(100 + 10 * entry) + "x" + std::to_string(50 + 15 * entry);
  return std::to_string(1000 + entry) + "x" + std::to_string(entry % 10);
}

void WriteWorkload(const fs::path& dir, const Workload& w) {
  fs::create_directories(dir);
  std::ofstream siteList(dir / "sites.txt");
  for (int i = 1; i <= w.sites; ++i) siteList << "Daily Gazette " << i << "\n";
  std::ofstream sectionList(dir / "sections.txt");
  for (int i = 1; i <= w.sections; ++i) sectionList << "Section " << i << "\n";
  std::ofstream table(dir / "addescription.txt");
  for (int i = 0; i < w.entries; ++i) {
    std::string line = Size(w, i) + "\tStandard Display Format " + std::to_string(i);
    if (line.size() + 1 < static_cast<std::size_t>(w.lineBytes)) line.resize(w.lineBytes - 1, '.');
    table << line << "\n";
  }
  std::ofstream sizeList(dir / "adsizes.txt");
  for (int i = 0; i < w.sizes; ++i) {
    if (i == w.sizes / 2) {
      sizeList << "999x999\n";
    } else {
      sizeList << Size(w, i * (w.entries - 1) / (w.sizes - 1)) << "\n";
    }
  }
}

Measure RunIn(const fs::path& dir, const std::string& program) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || chdir(dir.c_str()) != 0) _exit(127);
    dup2(null, 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed in %s\n", program.c_str(), dir.c_str());
    std::exit(1);
  }
  return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

std::string Slurp(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the program and the reference alternately on |w| and prints their
// times; returns the median ratio, or a negative number when their listings
// differ.
double Compare(const fs::path& scratch, const std::string& program, const std::string& reference,
               const Workload& w, int runs) {
  WriteWorkload(scratch / "program", w);
  WriteWorkload(scratch / "reference", w);
  const long units = static_cast<long>(w.sites) * w.sections * w.sizes;
  std::printf("\n%s: %d sites x %d sections x %d sizes = %ld units, table of %d entries (%d KiB)\n",
              w.name, w.sites, w.sections, w.sizes, units, w.entries,
              static_cast<int>(fs::file_size(scratch / "program" / "addescription.txt") / 1024));
  std::vector<double> programTimes, referenceTimes, ratios;
  std::printf("%-4s %12s %12s %8s\n", "run", "program s", "reference s", "ratio");
  for (int run = 1; run <= runs; ++run) {
    const Measure p = RunIn(scratch / "program", program);
    const Measure r = RunIn(scratch / "reference", reference);
    programTimes.push_back(p.seconds);
    referenceTimes.push_back(r.seconds);
    ratios.push_back(p.seconds / r.seconds);
    std::printf("%-4d %12.3f %12.3f %8.3f\n", run, p.seconds, r.seconds, p.seconds / r.seconds);
    if (run == 1 && Slurp(scratch / "program" / "ad_units.csv") !=
                        Slurp(scratch / "reference" / "ad_units.csv")) {
      std::fprintf(stderr, "the two listings differ: the reference does other work\n");
      return -1;
    }
  }
  std::printf("program:   median %.3f s, %.0f units/s\n", Median(programTimes),
              units / Median(programTimes));
  std::printf("reference: median %.3f s, %.0f units/s\n", Median(referenceTimes),
              units / Median(referenceTimes));
  std::printf("median ratio program/reference: %.3f (target 1.25 or less)\n", Median(ratios));
  fs::remove_all(scratch / "program");
  fs::remove_all(scratch / "reference");
  return Median(ratios);
}

long PeakAt(const fs::path& scratch, const std::string& program, Workload w) {
  const fs::path dir = scratch / ("memory-" + std::to_string(w.sites));
  WriteWorkload(dir, w);
  const long peak = RunIn(dir, program).peakKiB;
  fs::remove_all(dir);
  return peak;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PROGRAM REFERENCE [--runs N]\n", argv[0]);
    return 2;
  }
  const std::string program = fs::absolute(argv[1]).string();
  const std::string reference = fs::absolute(argv[2]).string();
  const int runs = argc >= 5 && std::string(argv[3]) == "--runs" ? std::atoi(argv[4]) : 7;
  const fs::path scratch =
      fs::temp_directory_path() / ("slotwright-bench-" + std::to_string(getpid()));

  // The usual case: a short table, many units.
  const Workload common = {"common table", 100, 20, 50, 60, 0};
  // A table of 5,000 entries of about 64 bytes, whose lines all begin with
  // the sizes' first byte, and four sizes: the first entry, one in the
  // middle, the last, and one that it lacks.
  const Workload large = {"large table", 20, 30, 4, 5000, 64};
  bool ok = true;
  for (const Workload& w : {common, large}) {
    const double ratio = Compare(scratch, program, reference, w, runs);
    ok = ok && ratio >= 0;
  }

  // Every unit's code differs, so the import check keeps one hash for each.
  const long small = PeakAt(scratch, program, {"", 10, 20, 50, 60, 0});
  std::printf("\npeak resident memory: %ld KiB at 10,000 units (target 4096 KiB or less)\n", small);
  for (const int sites : {100, 1000}) {
    const long peak = PeakAt(scratch, program, {"", sites, 20, 50, 60, 0});
    const long units = sites * 1000L;
    std::printf("  %ld KiB at %ld units: %.1f bytes a unit beyond 10,000 (target 48 or less)\n",
                peak, units, (peak - small) * 1024.0 / (units - 10000));
  }
  fs::remove_all(scratch);
  return ok ? 0 : 1;
}
