#include "engine/ui/TEvent.h"
