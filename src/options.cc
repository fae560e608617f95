// The answers to the command line's options: the version banner, the help
// screen and the list of options.

#include "options.h"

#include "report.h"
#include "run.h"
#include "slotwright.h"

void Help() {
  Version();
  PrintLine("");
  PrintLine(
      "Slotwright generates Google DFP's ad units based on input files with "
      "sites names, sites sections, ad sizes and save them on the file " +
      adUnitsFilename + ".");
  PrintLine("");
  PrintLine(
      "In order for it to work, you have to create and populate the following "
      "three files:");
  PrintLine("* " + sitesFilename +
            "    : should contains the list of sites for which to create the "
            "individual ad units;");
  PrintLine("* " + sectionsFilename +
            " : should contains the sections of the sites that will be targeted;");
  PrintLine("* " + adSizesFilename + "  : should contains the desidered ad sizes.");
  PrintLine("");
  PrintLine("There is a fourth input file involved: " + adDescriptionFilename +
            "; grab it from the installation media where you got Slotwright and "
            "place it on the same directory where you placed the above three "
            "files. " +
            adDescriptionFilename +
            " already contains the description of the most common ad sizes, but "
            "if you want to support more you can add them in this file with the "
            "format \"widthXheight[TAB space]Description\" (without quote "
            "marks).");
  PrintLine("");
  PrintLine(
      "As already mentioned, all the above files should placed on the same "
      "directory; be sure to have writing permissions to such directory since "
      "Slotwright need them to generate the " +
      adUnitsFilename + " file.");
  PrintLine("");
  PrintLine("IMPORTANT:");
  PrintLine("* " + adSizesFilename +
            " should contain at least one ad size (the program will stop and "
            "generate no unit if there isn't at least one size);");
  PrintLine("* if " + adDescriptionFilename +
            " is empty, the ads codes, names and descriptions will include a "
            "generic \"Undocumented ad size\". The units will work on DFP, but "
            "the codes, name and descriptions will be ... ugly; therefore it is "
            "recommended that " +
            adDescriptionFilename + " always include a matching description for each ad size in " +
            adSizesFilename + ";");
  PrintLine("* " + sitesFilename +
            " can be empty. The ads codes, names and descriptions will include "
            "\"ROS\" (ad industry acronym for ad units that are applied to all "
            "the pages);");
  PrintLine("* " + sectionsFilename +
            " can be empty. The ads codes, names and descriptions will omit any "
            "mention of it (it is assumed to be a ROS ad);");
  PrintLine(
      "* at the moments Slotwright will generate the same string for the ad "
      "codes and ad names (it is due to a personal preference; I'll see if I "
      "can come up with something different);");
  PrintLine("* Slotwright supports an unlimited (see note below) number of sites in " +
            sitesFilename +
            ", but only a single file for the ad sizes and only a single file "
            "for the sections; this means that the same ad sizes and sections "
            "will be applied to all sites. If the sites have totally different "
            "structures (sections) and/or require different ad sizes, you "
            "should put only one site at the time in " +
            sitesFilename + ", modify " + adSizesFilename + " and " + sectionsFilename +
            " accordingly, generate " + adUnitsFilename +
            ", save it somewhere else (preferably with a better identifying "
            "name), and repeat this procedure with another site in " +
            sitesFilename + ";");
  PrintLine(
      "* While Slotwright does not have any cap on the number of items in each "
      "input file, therefore making the number of ad units that can be "
      "generated virtually unlimited, it has NOT been tested with a high number "
      "of inputs. In such scenarios you may experience problems like, but not "
      "limited to, bugs, software freezes, or general system instabilities. USE "
      "AT YOUR OWN RISK!");
}

int DispatchOption(const std::string& argument) {
  if (argument == "--version") {
    Version();
    return 0;
  }
  if (argument == "--help" || argument == "-h") {
    Help();
    return 0;
  }
  Version();
  PrintLine("Unknown parameter.");
  PrintLine("The accepted parameters are:");
  PrintLine("--version    for the version of Slotwright;");
  PrintLine("--help or -h for the help.");
  return 1;
}
