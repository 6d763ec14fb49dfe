#pragma once
// Twelve tag texts; registered so that stored records of this kind still load.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CId3Info : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CId3Info)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Title, const char*, CString)
    MV_DECLARE_PROPERTY(Artist, const char*, CString)
    MV_DECLARE_PROPERTY(Album, const char*, CString)
    MV_DECLARE_PROPERTY(Copyright, const char*, CString)
    MV_DECLARE_PROPERTY(Comment, const char*, CString)
    MV_DECLARE_PROPERTY(Description, const char*, CString)
    MV_DECLARE_PROPERTY(Composer, const char*, CString)
    MV_DECLARE_PROPERTY(Genre, const char*, CString)
    MV_DECLARE_PROPERTY(Rating, const char*, CString)
    MV_DECLARE_PROPERTY(Author, const char*, CString)
    MV_DECLARE_PROPERTY(Director, const char*, CString)
    MV_DECLARE_PROPERTY(Producer, const char*, CString)

    const CString& GetTitle() const { return m_title; }
    const CString& GetArtist() const { return m_artist; }
    const CString& GetAlbum() const { return m_album; }
    const CString& GetCopyright() const { return m_copyright; }
    const CString& GetComment() const { return m_comment; }
    const CString& GetDescription() const { return m_description; }
    const CString& GetComposer() const { return m_composer; }
    const CString& GetGenre() const { return m_genre; }
    const CString& GetRating() const { return m_rating; }
    const CString& GetAuthor() const { return m_author; }
    const CString& GetDirector() const { return m_director; }
    const CString& GetProducer() const { return m_producer; }

    static constexpr LONG kTitleChangedNotice = FourCharCode("id3j");
    static constexpr LONG kArtistChangedNotice = FourCharCode("id3k");
    static constexpr LONG kAlbumChangedNotice = FourCharCode("id3l");
    static constexpr LONG kCopyrightChangedNotice = FourCharCode("id3m");
    static constexpr LONG kCommentChangedNotice = FourCharCode("id3n");
    static constexpr LONG kDescriptionChangedNotice = FourCharCode("id3o");
    static constexpr LONG kComposerChangedNotice = FourCharCode("id3p");
    static constexpr LONG kGenreChangedNotice = FourCharCode("id3q");
    static constexpr LONG kRatingChangedNotice = FourCharCode("id3r");
    static constexpr LONG kAuthorChangedNotice = FourCharCode("id3s");
    static constexpr LONG kDirectorChangedNotice = FourCharCode("id3t");
    static constexpr LONG kProducerChangedNotice = FourCharCode("id3u");

private:
    struct TextField;
    static const TextField kFields[];

    CString m_title;
    CString m_artist;
    CString m_album;
    CString m_copyright;
    CString m_comment;
    CString m_description;
    CString m_composer;
    CString m_genre;
    CString m_rating;
    CString m_author;
    CString m_director;
    CString m_producer;
};
