#include "base/KORVENTypesU.h"

#include <utility>

EKorven::EKorven(QString message, int codeServeur)
    : message_(std::move(message)), utf8_(message_.toUtf8()), codeServeur_(codeServeur) {}
