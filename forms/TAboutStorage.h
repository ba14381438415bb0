// Storage form of the about page: the version, build and user with the link
// to newer versions and the maker's addresses on the left page, the team on
// the right page.
#pragma once

#include "forms/TStorageForm.h"

#include <vector>

class QLabel;
class TLinkLabel;
class TPanel;

class TAboutStorage : public TStorageForm {
public:
    TAboutStorage();

    TPanel* LeftPage;
    QLabel* VersionTitle;
    QLabel* VersionLbl;
    QLabel* Version;
    QLabel* BuildLbl;
    QLabel* Build;
    QLabel* UserLbl;
    QLabel* CurrentUser;
    TLinkLabel* LatestVersion;
    QLabel* ContactTitle;
    QLabel* EmailLbl;
    TLinkLabel* EmailLink;
    QLabel* WWWLbl;
    TLinkLabel* DomainLink;
    QLabel* ProductName;

    TPanel* RightPage;
    QLabel* TeamTitle;
    // The credits: each role beside the names credited for it.
    std::vector<QLabel*> Roles;
    std::vector<QLabel*> Names;
};

extern TAboutStorage* AboutStorage;
