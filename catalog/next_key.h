#pragma once

#include "foundation/database/next_key.h"
