// Measures the program against the system-call floor (the reference
// program) on a generated workload, and its peak memory at two sizes.
//
//   benchmark PROGRAM REFERENCE [--sites N] [--sections N] [--sizes N] [--runs N]
//
// The two run alternately in scratch directories holding the same inputs,
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

constexpr int tableEntries = 60;

struct Measure {
  double seconds;
  long peakKiB;
};

std::string Size(int entry) {
  return std::to_string(100 + 10 * entry) + "x" + std::to_string(50 + 15 * entry);
}

// Lists of |sites| x |sections| x |sizes| units and a table of 60 entries.
// The sizes are spread through the table, but for one that it lacks.
void WriteWorkload(const fs::path& dir, int sites, int sections, int sizes) {
  fs::create_directories(dir);
  std::ofstream siteList(dir / "sites.txt");
  for (int i = 1; i <= sites; ++i) siteList << "Daily Gazette " << i << "\n";
  std::ofstream sectionList(dir / "sections.txt");
  for (int i = 1; i <= sections; ++i) sectionList << "Section " << i << "\n";
  std::ofstream table(dir / "addescription.txt");
  for (int i = 0; i < tableEntries; ++i) {
    table << Size(i) << "\tStandard Display Format " << i << "\n";
  }
  std::ofstream sizeList(dir / "adsizes.txt");
  for (int i = 0; i < sizes; ++i) {
    if (i == sizes / 2) {
      sizeList << "999x999\n";
    } else {
      sizeList << Size(i * tableEntries / sizes) << "\n";
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

long PeakAt(const fs::path& scratch, const std::string& program, int sites, int sections,
            int sizes) {
  const fs::path dir = scratch / ("memory-" + std::to_string(sites));
  WriteWorkload(dir, sites, sections, sizes);
  return RunIn(dir, program).peakKiB;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: %s PROGRAM REFERENCE [--sites N] [--sections N] "
                 "[--sizes N] [--runs N]\n",
                 argv[0]);
    return 2;
  }
  const std::string program = fs::absolute(argv[1]).string();
  const std::string reference = fs::absolute(argv[2]).string();
  int sites = 100, sections = 20, sizes = 50, runs = 7;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const int value = std::atoi(argv[i + 1]);
    if (option == "--sites") sites = value;
    if (option == "--sections") sections = value;
    if (option == "--sizes") sizes = value;
    if (option == "--runs") runs = value;
  }
  const fs::path scratch =
      fs::temp_directory_path() / ("slotwright-bench-" + std::to_string(getpid()));
  WriteWorkload(scratch / "program", sites, sections, sizes);
  WriteWorkload(scratch / "reference", sites, sections, sizes);
  const long units = static_cast<long>(sites) * sections * sizes;
  std::printf("workload: %d sites x %d sections x %d sizes = %ld units, table of %d entries\n",
              sites, sections, sizes, units, tableEntries);

  std::vector<double> programTimes, referenceTimes, ratios;
  long peak = 0;
  std::printf("%-4s %12s %12s %8s\n", "run", "program s", "reference s", "ratio");
  for (int run = 1; run <= runs; ++run) {
    const Measure p = RunIn(scratch / "program", program);
    const Measure r = RunIn(scratch / "reference", reference);
    programTimes.push_back(p.seconds);
    referenceTimes.push_back(r.seconds);
    ratios.push_back(p.seconds / r.seconds);
    peak = std::max(peak, p.peakKiB);
    std::printf("%-4d %12.3f %12.3f %8.3f\n", run, p.seconds, r.seconds, p.seconds / r.seconds);
    if (run == 1 && Slurp(scratch / "program" / "ad_units.csv") !=
                        Slurp(scratch / "reference" / "ad_units.csv")) {
      std::fprintf(stderr, "the two listings differ: the reference does other work\n");
      return 1;
    }
  }
  const double programMedian = Median(programTimes);
  std::printf("program:   median %.3f s, %.0f units/s, peak resident memory %ld KiB\n",
              programMedian, units / programMedian, peak);
  std::printf("reference: median %.3f s, %.0f units/s\n", Median(referenceTimes),
              units / Median(referenceTimes));
  std::printf("median ratio program/reference: %.3f (target 1.25 or less)\n", Median(ratios));

  const long small = PeakAt(scratch, program, 10, 20, 50);
  const long large = PeakAt(scratch, program, 1000, 20, 50);
  std::printf(
      "peak resident memory: %ld KiB at 10,000 units, %ld KiB at 1,000,000 units, "
      "growth %ld KiB (targets 4096 KiB or less, growth 256 KiB or less)\n",
      small, large, large - small);
  fs::remove_all(scratch);
  return 0;
}
