#include "compose.h"

#include <utility>

#include "lookup.h"

namespace {

// Copies |part| to |out| without its blanks and apostrophes; returns the end
// of what it wrote.
char* CopyCodePart(const std::string& part, char* out) {
  for (const char c : part) {
    *out = c;
    out += c != ' ' && c != '\'';
  }
  return out;
}

}  // namespace

std::string ComposeCode(const std::string& site, const std::string& section,
                        const std::string& sizeDescription) {
  static const std::string everySite = "ROS";
  const std::string& siteOrAll = site.empty() ? everySite : site;
  std::string code(siteOrAll.size() + section.size() + sizeDescription.size() + 2, '-');
  char* out = CopyCodePart(siteOrAll, &code[0]);
  *out++ = '-';
  if (!section.empty()) {
    out = CopyCodePart(section, out);
    *out++ = '-';
  }
  out = CopyCodePart(sizeDescription, out);
  code.resize(out - code.data());
  return code;
}

std::string ComposeDescription(const std::string& site, const std::string& section,
                               const std::string& sizeDescription) {
  std::string description;
  description.reserve(sizeDescription.size() + section.size() + site.size() + 18);
  description += sizeDescription;
  if (!section.empty()) {
    description += " on section \"";
    description += section;
    description += '"';
  }
  if (!site.empty()) {
    description += " on ";
    description += site;
  }
  return description;
}

std::string GenerateCode(std::string size, std::string site, std::string section) {
  return ComposeCode(site, section, GetAdDescription(std::move(size)));
}

std::string GenerateName(std::string size, std::string site, std::string section) {
  return GenerateCode(std::move(size), std::move(site), std::move(section));
}

std::string GenerateDescription(std::string size, std::string site, std::string section) {
  return ComposeDescription(site, section, GetAdDescription(std::move(size)));
}
