#pragma once
// The workers already use every core; threads of the recogniser's own
// would only compete with them.
namespace zuvediv {

void keep_recogniser_to_one_thread();

}  // namespace zuvediv
