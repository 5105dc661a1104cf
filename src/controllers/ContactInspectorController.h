// CContactInspector: the controller of a contact's own window.
#pragma once

#include <boost/shared_ptr.hpp>

#include "controllers/InspectorController.h"

// An Inspector on a contact: makes sure the contact carries a "Skype Name"
// field (unless the "SkypeName" setting is false) and shows the contact.
class CContactInspector : public CInspector {
  public:
    CContactInspector(const outlook::Application& application, const outlook::Inspector& inspector,
                      const boost::shared_ptr<CSkype>& skype,
                      const offer::WindowListener& listener = offer::WindowListener());

    void OnItemChange(const wchar_t* name) override;
    void OnChangeConnectionStatus(ConnectionStatus status) override;

  private:
    ConnectionStatus lastConnectionStatus_ = kConnectionUnknown;
};
