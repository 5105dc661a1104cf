// Keys of observer subscriptions: a new UUID's text without its dashes (32
// lower-case hexadecimal digits). Keys identify subscriptions only; they
// never reach Skype.
#pragma once

#include <string>

// Throws norv::TransientException when the system cannot make a UUID or
// cannot write it as text, as every unique identifier of the add-in does.
std::string NewSubscriptionKey();
