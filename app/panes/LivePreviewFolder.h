// Which files the live preview's page may read: only files whose real path lies in the document's folder
// tree. A page may come from anywhere, so a request is decoded and resolved ("..", symbolic links) before
// it is compared, and the file actually opened is checked again, as the folder may change in between.
// Qt Core only, so that the preview can move into a process of its own.
#pragma once

#include <QByteArray>

// The real path of the tree a document in Folder may read from; empty when there is none: the folder
// is missing or is the root of the file system, whose tree would be every file.
QByteArray PreviewTreeOf(const QByteArray& Folder);

// The real path of the file that EncodedPath (a request's path as its address holds it, with percent
// escapes) names, when that lies inside Tree and no folder or file on the way below Tree is hidden (a
// name starting with "."); empty: refused. A document in the home folder thus never shows ~/.ssh.
QByteArray PreviewFileFor(const QByteArray& Tree, const QByteArray& EncodedPath);

// Opens Allowed (a path PreviewFileFor gave) for reading, without waiting, when the file opened is still
// a regular file at that path; -1 otherwise. The descriptor closes on exec.
int OpenPreviewFile(const QByteArray& Tree, const QByteArray& Allowed);
