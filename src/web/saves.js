// The saves directory, for the page: kept in the browser's storage
// (IndexedDB, one entry per save under its path), read from it, stored into
// it, and its files listed, read and written for export and import. Built
// into the game's glue, so the page reaches it under these quoted names
// however the glue is minified.
//
// No clock decides which copy of a save is the newest: the storage holds
// one copy of each, the one stored last, and every copy stored carries a
// mark of its own. The page keeps the mark of its copy of each save, so a
// copy with another mark in the storage is one another tab stored since.
(function () {
  // The marks of the copies here, by path; and the saves written here and
  // not stored yet (by the number of the write), which no copy from the
  // storage replaces.
  var marks = {};
  var unstored = {};
  var writes = 0;
  // Called when the browser closes the storage under the page (its data
  // cleared, say).
  var lost = null;

  var newmark = function () {
    return crypto.getRandomValues(new Uint32Array(4)).join('.');
  };
  // A copy stored by an earlier page has no mark; its time tells it apart
  // (only whether it differs counts, never which is later).
  var markof = function (entry) {
    return entry['mark'] || String(entry['timestamp'] && entry['timestamp'].getTime());
  };

  // The storage opened anew at the next sync (its data cleared, say).
  var forget = function (path) {
    var db = IDBFS.dbs[path];
    delete IDBFS.dbs[path];
    try {
      if (db) db.close();
    } catch (error) {
      // Closed already.
    }
  };

  // One transaction on the stored saves: work(store, guarded) makes its
  // requests, their callbacks wrapped by guarded (a callback that throws
  // aborts the transaction); done(error) once it is over.
  var transact = function (path, mode, work, done) {
    IDBFS.getDB(path, function (error, db) {
      if (error || !db) return done(error || 'the storage could not be opened');
      db.onclose = function () {
        if (IDBFS.dbs[path] !== db) return;
        forget(path);
        if (lost) lost();
      };
      var transaction = null;
      var failed = null;
      var fail = function (error) {
        failed = failed || error;
        try {
          transaction.abort();
        } catch (ignored) {
          // Over already.
        }
      };
      var guarded = function (callback) {
        return function (event) {
          try {
            callback(event);
          } catch (error) {
            fail(error);
          }
        };
      };
      try {
        transaction = db.transaction([IDBFS.DB_STORE_NAME], mode);
        transaction.oncomplete = function () {
          done(null);
        };
        transaction.onabort = function () {
          forget(path);
          done(failed || transaction.error || 'the storage refused');
        };
        work(transaction.objectStore(IDBFS.DB_STORE_NAME), guarded);
      } catch (error) {
        forget(path);
        if (transaction) fail(error);
        else done(error);
      }
    });
  };

  var files = function (path) {
    return FS.readdir(path).filter(function (name) {
      return name !== '.' && name !== '..';
    });
  };

  Module['saves'] = {
    // The saves directory made; whenever the browser closes the storage
    // under the page, onlost() is called.
    'mount': function (path, onlost) {
      FS.mkdir(path);
      lost = onlost;
    },
    // The stored copies this directory has not got into it; done(error)
    // when finished. A save written here and not stored yet stays.
    'load': function (path, done) {
      transact(path, 'readonly', function (store, guarded) {
        store.openCursor().onsuccess = guarded(function (event) {
          var cursor = event.target.result;
          if (!cursor) return;
          var key = cursor.key;
          var entry = cursor.value;
          if (FS.isFile(entry['mode']) && !unstored[key] && marks[key] !== markof(entry)) {
            FS.writeFile(key, entry['contents']);
            marks[key] = markof(entry);
          }
          cursor.continue();
        });
      }, done);
    },
    // A save just written here, to be stored by the next store.
    'hold': function (file) {
      unstored[FS.lookupPath(file).path] = ++writes;
    },
    // The saves written here since they were last stored into the storage,
    // in one transaction, each the newest copy, with every save here the
    // storage lacks (its data cleared, say); done(error) when finished.
    'store': function (path, done) {
      var stored = {};
      transact(path, 'readwrite', function (store, guarded) {
        store.getAllKeys().onsuccess = guarded(function (event) {
          var there = event.target.result;
          files(path).forEach(function (name) {
            var file = path + '/' + name;
            if (!unstored[file] && there.indexOf(file) >= 0) return;
            var mark = newmark();
            store.put({'timestamp': new Date(), 'mode': FS.stat(file).mode,
                       'contents': FS.readFile(file), 'mark': mark}, file);
            stored[file] = {mark: mark, write: unstored[file]};
          });
        });
      }, function (error) {
        if (!error) {
          Object.keys(stored).forEach(function (file) {
            marks[file] = stored[file].mark;
            // Written again meanwhile, it waits for the next store.
            if (unstored[file] === stored[file].write) delete unstored[file];
          });
        }
        done(error);
      });
    },
    'list': files,
    'read': function (path) {
      return FS.readFile(path);
    },
    'write': function (path, bytes) {
      FS.writeFile(path, bytes);
    },
    // The name the game gives the knight of a save file (the file's bytes, a
    // Uint8Array, and its name), by the game's own rule; '' when none, or
    // one no save can be kept under.
    'knightname': function (bytes, filename) {
      var name = new TextEncoder().encode(filename);
      var text = _malloc(bytes.length + 1);
      var file = _malloc(name.length + 1);
      HEAPU8.set(bytes, text);
      HEAPU8.set(name, file);
      HEAPU8[file + name.length] = 0;
      var kept = UTF8ToString(_knightname(text, bytes.length, file));
      _free(text);
      _free(file);
      return kept;
    },
  };
})();
