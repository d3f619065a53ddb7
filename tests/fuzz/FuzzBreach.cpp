#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace ladrix::fuzz {

void breach(const char* property, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, property);
    std::abort();
}

} // namespace ladrix::fuzz
