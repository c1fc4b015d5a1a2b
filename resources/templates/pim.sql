-- Personal information database (slot 1): address book, schedule, to-do list,
-- class timetable with its period times, and the device's content index.
-- Texts of the personal tables are stored as complemented UTF-8.

CREATE TABLE telephone(
    id INTEGER NOT NULL PRIMARY KEY,
    name TEXT NOT NULL,
    category INTEGER NOT NULL DEFAULT 0,
    email TEXT,
    mobile1 TEXT,
    mobile2 TEXT,
    home_phone TEXT,
    home_fax TEXT,
    home_address TEXT,
    office_name TEXT,
    office_title TEXT,
    office_phone TEXT,
    office_fax TEXT,
    office_address TEXT,
    photo_name TEXT,
    note TEXT,
    locked INTEGER NOT NULL DEFAULT 0,
    stamp_time TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP
);
CREATE INDEX i_telephone1 ON telephone (id);
CREATE INDEX i_telephone2 ON telephone (name);
CREATE INDEX i_telephone3 ON telephone (email);
CREATE INDEX i_telephone4 ON telephone (mobile1);
CREATE INDEX i_telephone5 ON telephone (mobile2);
CREATE INDEX i_telephone6 ON telephone (home_phone);
CREATE INDEX i_telephone7 ON telephone (home_fax);
CREATE INDEX i_telephone8 ON telephone (home_address);
CREATE INDEX i_telephone9 ON telephone (office_phone);
CREATE INDEX i_telephone10 ON telephone (office_fax);
CREATE INDEX i_telephone11 ON telephone (office_address);
CREATE INDEX i_telephone12 ON telephone (locked);

-- alarm_BStime must stay the last column: rows are inserted by position.
CREATE TABLE schedule(
    id INTEGER NOT NULL PRIMARY KEY,
    date TEXT NOT NULL,
    start_time TEXT NOT NULL,
    end_time TEXT NOT NULL,
    content TEXT NOT NULL,
    alarm INTEGER NOT NULL DEFAULT 0,
    locked INTEGER NOT NULL DEFAULT 0,
    stamp_time TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP,
    alarm_BStime INTEGER
);
CREATE INDEX i_schedule1 ON schedule (id);
CREATE INDEX i_schedule2 ON schedule (date);
CREATE INDEX i_schedule3 ON schedule (start_time);
CREATE INDEX i_schedule4 ON schedule (end_time);
CREATE INDEX i_schedule5 ON schedule (content);
CREATE INDEX i_schedule6 ON schedule (alarm);
CREATE INDEX i_schedule7 ON schedule (locked);

CREATE TABLE todolist(
    id INTEGER NOT NULL PRIMARY KEY,
    date TEXT NOT NULL,
    content TEXT NOT NULL,
    category INTEGER NOT NULL DEFAULT 0,
    priority INTEGER NOT NULL DEFAULT 0,
    status INTEGER NOT NULL DEFAULT 0,
    locked INTEGER NOT NULL DEFAULT 0,
    stamp_time TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP
);
CREATE INDEX i_todolist1 ON todolist (id);
CREATE INDEX i_todolist2 ON todolist (date);
CREATE INDEX i_todolist3 ON todolist (content);
CREATE INDEX i_todolist4 ON todolist (category);
CREATE INDEX i_todolist5 ON todolist (priority);
CREATE INDEX i_todolist6 ON todolist (status);
CREATE INDEX i_todolist7 ON todolist (locked);

CREATE TABLE classtable(
    id INTEGER NOT NULL PRIMARY KEY,
    weekday INTEGER NOT NULL,
    class_no INTEGER NOT NULL,
    abbreviation TEXT,
    course_name TEXT,
    teacher TEXT,
    place TEXT,
    note TEXT,
    color INTEGER NOT NULL DEFAULT 0,
    locked INTEGER NOT NULL DEFAULT 0,
    stamp_time TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP,
    setting INTEGER
);
CREATE INDEX i_classtable1 ON classtable (id);
CREATE INDEX i_classtable2 ON classtable (weekday);
CREATE INDEX i_classtable3 ON classtable (class_no);
CREATE INDEX i_classtable4 ON classtable (abbreviation);
CREATE INDEX i_classtable5 ON classtable (course_name);
CREATE INDEX i_classtable6 ON classtable (teacher);
CREATE INDEX i_classtable7 ON classtable (place);
CREATE INDEX i_classtable8 ON classtable (note);
CREATE INDEX i_classtable9 ON classtable (color);
CREATE INDEX i_classtable10 ON classtable (locked);

-- One row per cell: weekday index w (0..6) and period index p (0..11) make
-- id w * 12 + p + 1, weekday w + 1 and class_no p + 1. Empty texts are NULL.
WITH RECURSIVE cell(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM cell WHERE n < 83)
INSERT INTO classtable (id, weekday, class_no, color, locked, setting)
    SELECT n + 1, n / 12 + 1, n % 12 + 1, 0, 0, 0 FROM cell;

CREATE TABLE classtime(
    id INTEGER NOT NULL PRIMARY KEY,
    class_start_hour INTEGER NOT NULL,
    class_start_min INTEGER NOT NULL,
    class_end_hour INTEGER NOT NULL,
    class_end_min INTEGER NOT NULL
);

-- Four morning, four afternoon and four evening periods, each on the hour
-- and ending at minute 50: 08:00-08:50 .. 11:00-11:50, 13:00-13:50 ..
-- 16:00-16:50, 18:00-18:50 .. 21:00-21:50.
WITH RECURSIVE period(p) AS (SELECT 0 UNION ALL SELECT p + 1 FROM period WHERE p < 11)
INSERT INTO classtime (id, class_start_hour, class_start_min, class_end_hour, class_end_min)
    SELECT p + 1, 8 + p + p / 4, 0, 8 + p + p / 4, 50 FROM period;

-- The content index. Row 0 names the memory card's base folder and carries
-- the device's content codes; rows 1..7 are the category folders (music,
-- videos, flash, pictures, recordings, texts, e-books); the e-book class
-- folders follow; then the database files under Secretary. field_04 is 0
-- for a folder and 1 for a database file. Rows are read in rowid order.
CREATE TABLE file(
    id INTEGER NOT NULL PRIMARY KEY,
    field_01 INTEGER NOT NULL DEFAULT 0,
    field_02 INTEGER NOT NULL DEFAULT 0,
    field_03 INTEGER NOT NULL DEFAULT 0,
    field_04 INTEGER NOT NULL DEFAULT 0,
    mainClass TEXT NOT NULL DEFAULT '',
    subClass TEXT NOT NULL DEFAULT '',
    hw_name TEXT NOT NULL,
    hw_path TEXT NOT NULL DEFAULT ''
);
INSERT INTO file (id, field_01, field_02, field_04, mainClass, subClass, hw_name, hw_path) VALUES
    (1, 0, 0, 0, 'B', '02', 'QX740', 'QX740'),
    (2, 1, 0, 0, '', '', 'MUSIC', ''),
    (3, 2, 0, 0, '', '', 'VIDEO', ''),
    (4, 3, 0, 0, '', '', 'FLASH', ''),
    (5, 4, 0, 0, '', '', 'PICTURE', ''),
    (6, 5, 0, 0, '', '', 'RECORD', ''),
    (7, 6, 0, 0, '', '', 'TEXT', ''),
    (8, 7, 0, 0, 'B', '02', 'EBOOK', ''),
    (9, 7, 1, 0, 'B', '01', 'DICTIONARY', 'EBOOK'),
    (10, 7, 2, 0, 'B', '03', 'LITERATURE', 'EBOOK'),
    (11, 7, 3, 0, 'B', '04', 'LANGUAGE', 'EBOOK'),
    (12, 7, 4, 0, 'B', '05', 'REFERENCE', 'EBOOK'),
    (13, 8, 1, 1, '', '', 'PIM.db', 'Secretary'),
    (14, 8, 2, 1, '', '', 'ECDIY_Dict.db', 'Secretary'),
    (15, 8, 3, 1, '', '', 'CEDIY_Dict.db', 'Secretary'),
    (16, 8, 4, 1, '', '', 'JCDIY_Dict.db', 'Secretary'),
    (17, 8, 5, 1, '', '', 'CJDIY_Dict.db', 'Secretary');
