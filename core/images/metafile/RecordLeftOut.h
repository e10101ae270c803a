#pragma once
// Raised while a record is played when a bound on what one record may cost
// leaves it out (a bitmap declaring more than its data can give, a brush
// picture larger than any pattern): the player counts the record as not
// drawn and goes on with the next one.

#include <stdexcept>

namespace kestrova {

class RecordLeftOut : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kestrova
