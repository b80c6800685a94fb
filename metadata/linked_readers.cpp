// Linked into a program that carries the readers itself: they are handed to
// the engine before main, and no module is loaded.
#include "engine/metadata_module.h"

namespace {

[[maybe_unused]] const bool handedOver = (morvane::useLinkedMetadataReaders(morvaneMetadataReaders()), true);

} // namespace
