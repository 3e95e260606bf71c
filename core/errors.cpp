#include "errors.h"

namespace triangle30 {

OverflowError::OverflowError()
    : CalculationError(
          "Числото е твърде голямо: резултатът излиза извън обхвата на числата, "
          "с които програмата смята. Въведете по-малък размер.") {}

DomainError::DomainError()
    : CalculationError(
          "Лицето на триъгълник не може да бъде отрицателно: от отрицателно число "
          "не се извлича корен квадратен. Въведете положително лице.") {}

}  // namespace triangle30
