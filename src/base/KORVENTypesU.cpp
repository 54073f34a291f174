#include "base/KORVENTypesU.h"

#include <utility>

EKorven::EKorven(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
