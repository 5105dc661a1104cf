#include "model/skype/SampleSkypeUsers.h"

#include "model/skype/ModelSkype.h"

namespace model {

namespace {

SkypeUser User(const char* handle, const char* fullName, const char* status, bool isFriend = true) {
    SkypeUser user;
    user.handle = handle;
    user.fullName = fullName;
    user.onlineStatus = status;
    user.isFriend = isFriend;
    return user;
}

}  // namespace

void AddSampleSkypeUsers(ModelSkype& skype) {
    skype.SetCurrentUser(User(kSampleCurrentUser, "Tandrel Demo", "ONLINE", false));
    // Listed in the order Skype keeps them, not sorted.
    skype.AddUser(User("echo123", "Echo / Sound Test Service", "ONLINE"));
    SkypeUser alice = User("alice.wonder", "Alice Wonder", "ONLINE");
    alice.phoneMobile = "+447700900123";
    alice.phoneOffice = "+442079460018";
    skype.AddUser(alice);
    skype.AddUser(User("bob.builder", "Bob Builder", "AWAY"));
    skype.AddUser(User("john.smith1", "John Smith", "DND"));
    skype.AddUser(User("carol.nguyen", "Carol Nguyen", "NA"));
    skype.AddUser(User("dave.li", "Dave Li", "OFFLINE"));
    skype.AddUser(User("erin.visitor", "Erin Visitor", "ONLINE", false));
}

}  // namespace model
