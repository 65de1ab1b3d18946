// CPM001DrawSetting: construction, release and run-time class.
#include "pier/drawing_options.h"

IMPLEMENT_SERIAL(CPM001DrawSetting, CObject, 1)

CPM001DrawSetting::CPM001DrawSetting() = default;
CPM001DrawSetting::~CPM001DrawSetting() = default;
