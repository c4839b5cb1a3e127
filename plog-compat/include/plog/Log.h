#pragma once

#include <plog/Logger.h>
