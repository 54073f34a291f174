#pragma once

#include "core/platform/Sons.h"

// The program's player: plays a sound file asynchronously, only when the file exists; a missing file or no
// sound device is silent. QSoundEffect (Qt Multimedia) plays it, on Windows the system itself (PlaySoundW,
// SonsWindows.cpp).
class SonsQt : public ISons {
public:
    void Jouer(const QString& chemin) override;
};
