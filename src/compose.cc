// A unit's code, name and description, composed from its size, site and
// section.

#include "compose.h"

#include <algorithm>
#include <utility>

#include "lookup.h"

std::string ComposeCode(const std::string& site, const std::string& section,
                        const std::string& sizeDescription) {
  std::string code = site.empty() ? "ROS" : site;
  code += '-';
  if (!section.empty()) {
    code += section;
    code += '-';
  }
  code += sizeDescription;
  code.erase(std::remove_if(code.begin(), code.end(), [](char c) { return c == ' ' || c == '\''; }),
             code.end());
  return code;
}

std::string ComposeDescription(const std::string& site, const std::string& section,
                               const std::string& sizeDescription) {
  std::string description = sizeDescription;
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
