// The text fields of one ad unit, composed from its size, site and section.
// An empty site stands for every page of every site ("ROS" in codes); an
// empty section is left out.  The size itself appears only through its
// description.
#ifndef SLOTWRIGHT_COMPOSE_H_
#define SLOTWRIGHT_COMPOSE_H_

#include <string>

// Site, section and size description joined by hyphens, with every blank and
// apostrophe removed: "Gazette-Sports-MediumRectangle".
std::string ComposeCode(const std::string& site, const std::string& section,
                        const std::string& sizeDescription);

// The size description with the section and site spelled out:
// Medium Rectangle on section "Sports" on Gazette.
std::string ComposeDescription(const std::string& site, const std::string& section,
                               const std::string& sizeDescription);

// The unit's code, name and description.  Each looks the size up once.
std::string GenerateCode(std::string size, std::string site, std::string section);
std::string GenerateName(std::string size, std::string site, std::string section);
std::string GenerateDescription(std::string size, std::string site, std::string section);

#endif  // SLOTWRIGHT_COMPOSE_H_
