#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace pathsum {

// White light: one run's paths carrying a whole spectrum. The path enumeration does not depend
// on the wavelength, only the turning of the arrows does, so every wavelength of the spectrum
// sums over the same paths.

// The typed wavelength stands for this many nanometres: a wavelength of n nanometres is the
// typed one times n / 550.
inline constexpr double kTypedNanometres = 550.0;

// White light: 31 wavelengths of equal power, 400, 410, ..., 700 nanometres.
inline constexpr std::size_t kWhiteWavelengths = 31;
inline constexpr double kWhiteFirstNanometres = 400.0;
inline constexpr double kWhiteStepNanometres = 10.0;

// The wavelengths a spectrum may hold: those the colour-matching table covers.
inline constexpr double kShortestNanometres = 380.0;
inline constexpr double kLongestNanometres = 780.0;

// The light of a run: the one wavelength typed (no nanometres), or a spectrum of wavelengths of
// equal power, each in nanometres of which the typed wavelength is kTypedNanometres.
struct Light {
    std::vector<double> nanometres;

    bool Spectral() const { return !nanometres.empty(); }
    friend bool operator==(const Light&, const Light&) = default;
};

// The white light of kWhiteWavelengths wavelengths from kWhiteFirstNanometres on.
Light WhiteLight();

// The wavelength of `nanometres` for the typed wavelength `typed`: typed * (nanometres / 550),
// so that 550 nanometres is the typed wavelength itself, bit for bit.
double WavelengthAt(double typed, double nanometres);

// A first look at a spectrum of `count` wavelengths: every third of them from the first, and the
// last, by their places in it (11 of white light's 31: 400, 430, ..., 700 nm); every one of a
// spectrum too short to leave any out.
std::vector<std::size_t> PreviewWavelengths(std::size_t count);

// A colour in linear sRGB (the sRGB primaries and D65 white, before the sRGB curve); a channel
// may be negative for a colour outside what a screen shows.
struct LinearRgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    friend bool operator==(const LinearRgb&, const LinearRgb&) = default;
};

// What one point receives of a spectrum: the white value p, the mean of the p of its
// wavelengths (so that p / N^2 is plotted as a single wavelength's is), and the colour of the
// light, white-balanced so that equal p at every wavelength give r = g = b = p.
struct WhitePoint {
    double p = 0.0;
    LinearRgb colour;
};

// A spectrum as the engine and the colours use it. Each wavelength's turns are the typed
// wavelength's times 550 / n: a path's length is divided once and every wavelength's phase
// follows from it, and 550 nanometres turns exactly as the typed wavelength does.
class Spectrum {
  public:
    // A spectrum of the light's wavelengths; one wavelength, the typed one at 550 nanometres,
    // for light that is not spectral. Throws std::invalid_argument for a wavelength outside
    // kShortestNanometres to kLongestNanometres, or a spectrum whose equal power has no colour
    // to balance to.
    explicit Spectrum(const Light& light);

    std::size_t Size() const { return nanometres_.size(); }
    std::span<const double> Nanometres() const { return nanometres_; }
    // Turns at each wavelength per turn at the typed wavelength: 550 / n.
    std::span<const double> TurnsRatios() const { return ratios_; }
    // The largest of them: the shortest wavelength's.
    double MostTurnsRatio() const;

    // The white value and the colour of a point from the p of each wavelength, in the
    // spectrum's order; p.size() must be Size(). The white value is the p of each wavelength
    // added in order, divided by their number: with one wavelength it is that wavelength's p,
    // bit for bit.
    WhitePoint At(std::span<const double> p) const;

  private:
    std::vector<double> nanometres_;
    std::vector<double> ratios_;
    // What each wavelength adds to the colour per unit of its p: its colour-matching values
    // turned into linear sRGB and white-balanced.
    std::vector<std::array<double, 3>> rgbPerP_;
};

}  // namespace pathsum
