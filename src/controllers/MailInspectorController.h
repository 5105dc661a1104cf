// CMailInspector: the controller of a mail's own window.
#pragma once

#include <boost/shared_ptr.hpp>

#include "controllers/InspectorController.h"

// An Inspector on a mail: shows its sender and the Skype names it links.
class CMailInspector : public CInspector {
  public:
    CMailInspector(const outlook::Application& application, const outlook::Inspector& inspector,
                   const boost::shared_ptr<CSkype>& skype,
                   const offer::WindowListener& listener = offer::WindowListener());

    void OnItemChange(const wchar_t* name) override;
    void OnChangeConnectionStatus(ConnectionStatus status) override;

  private:
    ConnectionStatus lastConnectionStatus_ = kConnectionUnknown;
};
