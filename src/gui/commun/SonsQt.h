#pragma once

#include "core/platform/Sons.h"

// Plays a sound file with QSoundEffect, asynchronously, only when the file exists; a missing file or no
// sound device is silent.
class SonsQt : public ISons {
public:
    void Jouer(const QString& chemin) override;
};
