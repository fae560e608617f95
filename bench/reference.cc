// The floor a generation run can't go below: the system calls that every
// unit needs and nothing else.  Per unit, three times: open the description
// table, read all of it in 64 KiB pieces (and once more, to find its end,
// when the size isn't there), close it; then one write of the row to
// standard output and one to the listing.
// Per section and per site, the size and section lists are read again.
//
// The descriptions and rows are worked out before the loop, so the time it
// takes is all system calls.  Its listing must equal the program's, which
// the benchmark checks.  Expects lists without blank lines and a table of
// tab-separated entries, as the benchmark writes them.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::string Without(std::string text, char a, char b) {
  std::string out;
  for (const char c : text) {
    if (c != a && c != b) out += c;
  }
  return out;
}

}  // namespace

int main() {
  const std::vector<std::string> sites = Lines("sites.txt");
  const std::vector<std::string> sections = Lines("sections.txt");
  const std::vector<std::string> sizes = Lines("adsizes.txt");
  std::ifstream tableFile("addescription.txt");
  std::stringstream tableText;
  tableText << tableFile.rdbuf();
  const std::string table = tableText.str();

  // For each size: its description, and the reads of |chunk| bytes that a
  // lookup makes: the whole table, and for a size that isn't there the read
  // that finds its end.
  constexpr std::size_t chunk = 1 << 16;
  const std::size_t wholeTable = (table.size() + chunk - 1) / chunk;
  std::vector<std::string> descriptions;
  std::vector<std::size_t> readsPerLookup;
  for (const std::string& size : sizes) {
    const std::size_t at = ("\n" + table).find("\n" + size + "\t");
    if (at == std::string::npos) {
      descriptions.push_back("Undocumented ad size");
      readsPerLookup.push_back(wholeTable + 1);
    } else {
      const std::size_t start = at + size.size() + 1;
      descriptions.push_back(table.substr(start, table.find('\n', start) - start));
      readsPerLookup.push_back(wholeTable);
    }
  }
  std::vector<std::string> rows;
  for (const std::string& site : sites) {
    for (const std::string& section : sections) {
      for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::string code = Without(site + "-" + section + "-" + descriptions[i], ' ', '\'');
        rows.push_back(code + "," + code + "," + sizes[i] + "," + descriptions[i] +
                       " on section \"" + section + "\" on " + site +
                       ",yes,,,,,,,_blank,\"text,image\",\n");
      }
    }
  }

  static char buffer[chunk];
  const int sitesFd = open("sites.txt", O_RDONLY);
  const int sectionsFd = open("sections.txt", O_RDONLY);
  const int sizesFd = open("adsizes.txt", O_RDONLY);
  const int listing = open("ad_units.csv", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (sitesFd < 0 || sectionsFd < 0 || sizesFd < 0 || listing < 0) return 1;
  std::size_t row = 0;
  if (read(sitesFd, buffer, sizeof buffer) < 0) return 1;
  for (std::size_t site = 0; site < sites.size(); ++site) {
    lseek(sectionsFd, 0, SEEK_SET);
    if (read(sectionsFd, buffer, sizeof buffer) < 0) return 1;
    for (std::size_t section = 0; section < sections.size(); ++section) {
      lseek(sizesFd, 0, SEEK_SET);
      if (read(sizesFd, buffer, sizeof buffer) < 0) return 1;
      for (std::size_t size = 0; size < sizes.size(); ++size, ++row) {
        for (int lookup = 0; lookup < 3; ++lookup) {
          const int fd = open("addescription.txt", O_RDONLY);
          for (std::size_t r = 0; r < readsPerLookup[size]; ++r) {
            if (read(fd, buffer, sizeof buffer) < 0) return 1;
          }
          close(fd);
        }
        if (write(1, rows[row].data(), rows[row].size()) < 0) return 1;
        if (write(listing, rows[row].data(), rows[row].size()) < 0) return 1;
      }
    }
  }
  close(listing);
  return 0;
}
