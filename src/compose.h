// The text fields of one ad unit, composed from its size, site and section.
// An empty site stands for every page of every site ("ROS" in codes); an
// empty section is left out.  The size itself appears only through its
// description, which each function looks up once.
#ifndef SLOTWRIGHT_COMPOSE_H_
#define SLOTWRIGHT_COMPOSE_H_

#include <string>

// Site, section and size description joined by hyphens, with every blank and
// apostrophe removed: "Gazette-Sports-MediumRectangle".
std::string GenerateCode(std::string size, std::string site, std::string section);

// The unit's name, which is its code.
std::string GenerateName(std::string size, std::string site, std::string section);

// The size description with the section and site spelled out:
// Medium Rectangle on section "Sports" on Gazette.
std::string GenerateDescription(std::string size, std::string site, std::string section);

#endif  // SLOTWRIGHT_COMPOSE_H_
