#include "compose.h"

#include <algorithm>
#include <utility>

#include "lookup.h"

std::string GenerateCode(std::string size, std::string site, std::string section) {
  std::string code = site.empty() ? std::string("ROS") : std::move(site);
  code += '-';
  if (!section.empty()) {
    code += section;
    code += '-';
  }
  code += GetAdDescription(std::move(size));
  code.erase(std::remove_if(code.begin(), code.end(),
                            [](char c) { return c == ' ' || c == '\''; }),
             code.end());
  return code;
}

std::string GenerateName(std::string size, std::string site, std::string section) {
  return GenerateCode(std::move(size), std::move(site), std::move(section));
}

std::string GenerateDescription(std::string size, std::string site,
                                std::string section) {
  std::string description = GetAdDescription(std::move(size));
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
