#include "partymoney.h"

#include "framework/number.h"

namespace brankor {

std::string casinoAmount(double amount) {
    return (amount < 0 ? "" : " ") + writeNumber(amount);
}

}  // namespace brankor
