// The bitmap resource both contract programs carry for the pictures port
// (read by test-bitmap.rc too: numbers only).
#pragma once

#define TANDREL_TEST_BITMAP 9001
