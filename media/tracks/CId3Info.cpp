#include "CId3Info.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CId3Info, CPersistObject, FourCharCode("id3i"))

struct CId3Info::TextField {
    const char* tag;
    CString CId3Info::*text;
};

// The stored order; the genre's key keeps its old spelling.
const CId3Info::TextField CId3Info::kFields[] = {
    {"title", &CId3Info::m_title},
    {"artist", &CId3Info::m_artist},
    {"album", &CId3Info::m_album},
    {"copyright", &CId3Info::m_copyright},
    {"comment", &CId3Info::m_comment},
    {"description", &CId3Info::m_description},
    {"composer", &CId3Info::m_composer},
    {"genue", &CId3Info::m_genre},
    {"rating", &CId3Info::m_rating},
    {"author", &CId3Info::m_author},
    {"director", &CId3Info::m_director},
    {"producer", &CId3Info::m_producer},
};

void CId3Info::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    for (const TextField& field : kFields) storage.Save(field.tag, static_cast<const char*>(this->*field.text));
}

void CId3Info::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    for (const TextField& field : kFields) UPersistUtils::Load(storage, field.tag, this->*field.text);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Title, const char*, CString, m_title, kTitleChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Artist, const char*, CString, m_artist, kArtistChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Album, const char*, CString, m_album, kAlbumChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Copyright, const char*, CString, m_copyright, kCopyrightChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Comment, const char*, CString, m_comment, kCommentChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Description, const char*, CString, m_description, kDescriptionChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Composer, const char*, CString, m_composer, kComposerChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Genre, const char*, CString, m_genre, kGenreChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Rating, const char*, CString, m_rating, kRatingChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Author, const char*, CString, m_author, kAuthorChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Director, const char*, CString, m_director, kDirectorChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CId3Info, Producer, const char*, CString, m_producer, kProducerChangedNotice)
