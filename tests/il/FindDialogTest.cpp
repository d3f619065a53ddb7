#include "EditorFixture.h"
