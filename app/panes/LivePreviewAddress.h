// The addresses the live preview's page may ask for: the preview's own scheme (whose handler serves only
// the document's folder), the network as a browser would reach it for the page (a style sheet from a CDN),
// and inline content. Never file:, and never this machine or its local network, whose services often
// trust whoever can reach them. Qt Core only.
#pragma once

#include <QString>
#include <QUrl>

// The scheme of the preview's own addresses.
inline constexpr char kPreviewScheme[] = "quillan-preview";

bool PreviewMayRequest(const QUrl& Url);

// A name or address literal of this machine or of a local network: localhost, single-label and
// .local-style names, loopback, private, link-local, unspecified and multicast addresses (IPv4, IPv6
// and IPv4 inside IPv6).
bool IsLocalHost(const QString& Host);

// Addresses a click in the page may open in the user's browser.
bool OpensInBrowser(const QUrl& Url);
