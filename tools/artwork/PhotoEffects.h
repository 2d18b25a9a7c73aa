// Seeded noise and the darkroom steps that make a painted scene look photographed.
#pragma once

#include <QImage>
#include <cstdint>

namespace kelvora::artwork {

// A repeatable pseudo-random value in [0, 1) for a lattice point: the same on every machine,
// unlike the standard library's distributions.
double LatticeNoise(std::int64_t x, std::int64_t y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1); one lattice cell is `cell` units wide.
double ValueNoise(double x, double y, double cell, std::uint32_t seed);

// A 3 x 3 binomial blur of an RGB32 image: the softness of a real lens.
QImage SoftenSlightly(const QImage& image);

// Repeated box blurs of the alpha channel of an ARGB32 image, close to a Gaussian of that radius.
QImage BlurAlpha(const QImage& mask, int radius);

// Darkens towards the corners; `strength` is the loss of light in the very corner.
void Vignette(QImage& image, double strength);

// Adds film-like grain of about `amount` levels, mostly in brightness.
void AddGrain(QImage& image, double amount, std::uint32_t seed);

}  // namespace kelvora::artwork
