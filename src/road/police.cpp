// Law enforcement: the speeding check, police stops, hearings and the revoked licence.
#include "road/police.h"

namespace dravlen {

// Not built yet: the police come with the road events. Until then speeding goes unpunished
// and draws no random number.
void speedingCheck(Form&, Trip&) {}

}  // namespace dravlen
