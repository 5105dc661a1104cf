// The people of the simulator's and the Wine test's Skype: the logged-in
// user and a handful of friends in every online state, one of them with
// telephone numbers, and one known user who is not a friend.
#pragma once

namespace model {

class ModelSkype;

// The logged-in user's handle.
constexpr char kSampleCurrentUser[] = "tandrel.demo";

void AddSampleSkypeUsers(ModelSkype& skype);

}  // namespace model
