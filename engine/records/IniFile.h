#pragma once

// SimpleIni for the settings and record files. CSimpleIniA compares sections
// and keys without regard to case (CSimpleIniCaseA would not). Keys and values are kept as the
// UTF-8 bytes they are, so no character conversion library is needed.
#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION
#endif
#include <SimpleIni.h>
