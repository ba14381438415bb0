// Records whose every field follows from one number, the generation: a
// record read back must match the generation in its story position field by
// field, so a record mixed from two saves, shifted or cut shows at once.
#pragma once

#include "users/TUser.h"

#include <string>

namespace Generations {

// Puts generation Gen of the learner into User and the shared statistics.
void Apply(TUser& User, int Gen);
// The generation a record claims to be.
inline int Of(const TUser& User) {
    return User.FStoryPosition;
}
// Empty when User (and the shared statistics) hold exactly generation Gen,
// else the first field that differs.
std::string Mismatch(const TUser& User, int Gen);

} // namespace Generations
