#include "compose.h"

#include <algorithm>
#include <utility>

#include "lookup.h"

std::string GenerateCode(std::string size, std::string site, std::string section) {
  if (site.empty()) site = "ROS";
  const std::string sizeDescription = GetAdDescription(std::move(size));
  std::string code;
  code.reserve(site.size() + section.size() + sizeDescription.size() + 2);
  code += site;
  code += '-';
  if (!section.empty()) {
    code += section;
    code += '-';
  }
  code += sizeDescription;
  code.erase(std::remove(code.begin(), code.end(), ' '), code.end());
  code.erase(std::remove(code.begin(), code.end(), '\''), code.end());
  return code;
}

std::string GenerateName(std::string size, std::string site, std::string section) {
  return GenerateCode(std::move(size), std::move(site), std::move(section));
}

std::string GenerateDescription(std::string size, std::string site, std::string section) {
  const std::string sizeDescription = GetAdDescription(std::move(size));
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
