#include "HelpText.h"

#include "Translation.h"

namespace pathsum {

const std::string& HelpText() {
    // Formed at every call, in the language spoken now.
    static std::string text;
    text = Translated(
        "HelpText",
        "Simulates various slit/mirror configurations for different wavelengths and point "
        "light-source locations. \r\r"
        "Click Calculate to see probability distributions appear on ten equally-spaced "
        "graphs.\r\r"
        "For the theory behind the arrows, read a physicist's popular book on light and "
        "electrons: \"Little Arrows: How Light Finds Its Way\"\r\r"
        "The plot area is 100 by 100. If Wavelength = 1 then the area is 100 by 100 "
        "wavelengths. \r\r"
        "To change point light source location: Click anywhere on screen. Note coordinates are "
        "shown at bottom right. \r"
        "Clicking below Y=-100 multiplies X,Y by 100 enabling distant almost parallel light "
        "source.\r\r"
        "The number of paths analyzed is on the right of the graphs.\r"
        "If too few paths produce eroneous results, use finer angular resolution to get more "
        "paths as measured from point source. \r\r"
        "Curves are not normalized but are divided by number of paths squared.\r\r"
        "Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, Gain, "
        "to conduct different experiments. \r");
    return text;
}

const std::string& HelpTitle() {
    static std::string title;
    title = Translated(
        "HelpText", "Light as a sum over paths, A. N. Arrowsmith, Pathsum Teaching Workshop, 2016");
    return title;
}

}  // namespace pathsum
