#pragma once

// Toolkit-wide configuration, handed over once at start-up through
// cvnSetGlobalConfig and kept by the resource manager.

#include "CVNQGlobal.h"

#include <QString>

namespace CVNQtLib {

// Push-button fade duration in milliseconds when none above 0 is given.
constexpr int kCvnDefaultFadeDuration = 150;

struct CVNQ_EXPORT CVNGlobalConfig
{
    // Applied to the application font when not empty.
    QString fontFamily;
    // Push buttons fade between their hover states when true.
    bool buttonFadeEnabled = false;
    // Fade duration in milliseconds; values below 1 are stored as 150.
    int buttonFadeDuration = kCvnDefaultFadeDuration;
};

} // namespace CVNQtLib
