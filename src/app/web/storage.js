// The site's storage for the program's files: IndexedDB, whose transactions
// every tab of the site sees in one order, and a lock per file that every
// tab takes around a read-change-rewrite of it, so that two tabs are two
// programs in one folder.  Storage that the browser refuses (turned off,
// full, or not answering within the lock's wait) makes a read give null and
// a write 'refused', which the program announces as "Highscore list gone?".
import { leaseLocks, webLocks } from './storage_locks.js';

// As index.html names them too: its head asks for the first opening.
const databaseName = 'velmorandine';
const storeName = 'files';

function settle(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// Opens the database at whatever version it has (a later build may have
// raised it), creating the store where it is missing.  The first time, the
// opening the page's head asked for before this script arrived is taken
// over: on a first visit the browser takes the longest of the whole start
// to make the database.
async function openDatabase() {
  const open = (version) => {
    const opening = indexedDB.open(databaseName, version);
    opening.onupgradeneeded = () => {
      if (!opening.result.objectStoreNames.contains(storeName)) opening.result.createObjectStore(storeName);
    };
    return settle(opening);
  };
  const early = globalThis.velmoEarly?.database;
  if (early) globalThis.velmoEarly.database = null;
  const db = await (early ?? open());
  if (db.objectStoreNames.contains(storeName)) return db;
  db.close();
  return open(db.version + 1);
}

class OpenTimedOut extends Error {}

// The database, or an OpenTimedOut rejection after `ms`; an open that
// answers after that is closed again, so that it holds up no other tab's
// upgrade.
function openWithin(ms) {
  let gaveUp = false;
  const opened = openDatabase();
  opened.then((db) => { if (gaveUp) db.close(); }, () => {});
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      gaveUp = true;
      reject(new OpenTimedOut('the database did not open in time'));
    }, ms);
    opened.then(resolve, reject).finally(() => clearTimeout(timer));
  });
}

// `giveUpMs` is as long as the program waits for a file's lock: a database
// that has not opened by then is taken as refused until this long has passed
// again, so that one click waits for it once, not once per read and write.
export function openStorage(giveUpMs) {
  let database = null; // a promise; null when it is to be opened (again)
  let connection = null; // the database while it is open
  let refusedUntil = 0;

  function connect() {
    if (performance.now() < refusedUntil) return Promise.reject(new Error('the database is not answering'));
    const opened = openWithin(giveUpMs).then((db) => {
      db.onversionchange = () => {
        db.close();
        database = null;
        connection = null;
      };
      connection = db;
      performance.mark('velmo:database-open');
      return db;
    });
    opened.catch((error) => {
      if (database === opened) database = null; // tried again at the next use
      if (error instanceof OpenTimedOut) refusedUntil = performance.now() + giveUpMs;
    });
    database = opened;
    return opened;
  }
  // At once, so that the database opens while the program compiles instead
  // of after it, when the first score is read.
  connect().catch(() => {});

  async function store(mode) {
    const db = connection ?? await (database ?? connect());
    return db.transaction(storeName, mode, { durability: 'strict' });
  }
  // Runs `use` on a transaction: at once where the database is open, so that
  // its requests go out before the caller's next step (the start's before
  // the dialog is laid out), else once it has opened.
  const inTransaction = (mode, use) => (connection
    ? use(connection.transaction(storeName, mode, { durability: 'strict' }))
    : store(mode).then(use));
  // Where the page is not a secure context there are no Web Locks: the lock
  // is then a lease kept in the database itself.
  const locks = navigator.locks ? webLocks(navigator.locks) : leaseLocks(store, storeName);

  return {
    async read(name) {
      try {
        const text = await inTransaction('readonly', (transaction) => settle(transaction.objectStore(storeName).get(name)));
        return typeof text === 'string' ? text : null;
      } catch {
        return null;
      }
    },
    // 'done', 'exists' (a write that may not replace found the name
    // taken: IndexedDB's add() decides that in one step for every tab) or
    // 'refused'.
    async write(name, text, replace) {
      let exists = false;
      try {
        await inTransaction('readwrite', (transaction) => {
          const request = replace
            ? transaction.objectStore(storeName).put(text, name)
            : transaction.objectStore(storeName).add(text, name);
          return new Promise((resolve, reject) => {
            request.onerror = (event) => {
              if (request.error && request.error.name === 'ConstraintError') {
                exists = true;
                // Nothing was written, so the answer needs no commit: the
                // transaction ends without an abort, and the start (which
                // finds the list there on every visit but the first) does
                // not wait for the disk.
                event.preventDefault();
                resolve();
              }
            };
            transaction.oncomplete = resolve;
            transaction.onerror = transaction.onabort = () => reject(transaction.error);
          });
        });
        return exists ? 'exists' : 'done';
      } catch {
        return exists ? 'exists' : 'refused';
      }
    },
    // Takes the lock for `name` only if no tab holds it: the program naps
    // and tries again, within its own deadline.
    tryLock: locks.tryLock,
    unlock: locks.unlock,
  };
}

// Asks the browser to keep the site's storage under pressure too; where it
// will not, the scores still stay until the player clears the site's data.
export async function askToPersist() {
  try {
    return navigator.storage && navigator.storage.persist ? await navigator.storage.persist() : false;
  } catch {
    return false;
  }
}
