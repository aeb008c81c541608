// Numbers in shop files: shortest round-trip text in the C locale, "." as the decimal point.
#pragma once

#include <string>

namespace brevant {

std::string ShopNumber(double value);

} // namespace brevant
